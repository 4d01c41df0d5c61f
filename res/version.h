// Tintlet's version and home page, written once: the resource script, the manifest
// and the build all take them from here.
#pragma once

#define TINTLET_VERSION_MAJOR 1
#define TINTLET_VERSION_MINOR 1
#define TINTLET_VERSION_PATCH 0
#define TINTLET_VERSION_BUILD 0
// As the About box and the version strings show it.
#define TINTLET_VERSION_TEXT  "1.1"

#define TINTLET_HOMEPAGE      "https://tintlet.org/"
