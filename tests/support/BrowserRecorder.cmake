# tintlet_browser_recorder(TARGET): the target's tests can stand a recorder in for the
# web browser (support/BrowserRecorder.h). The recorder script and its log live in
# the build tree.
function(tintlet_browser_recorder target)
  set(TINTLET_BROWSER_LOG ${CMAKE_BINARY_DIR}/tests/browser-requests.log)
  configure_file(${PROJECT_SOURCE_DIR}/tests/support/record-url.sh.in ${CMAKE_BINARY_DIR}/tests/record-url.sh
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/BrowserRecorder.cpp)
  target_compile_definitions(${target} PRIVATE
    TINTLET_BROWSER_SCRIPT="${CMAKE_BINARY_DIR}/tests/record-url.sh"
    TINTLET_BROWSER_LOG="${TINTLET_BROWSER_LOG}")
endfunction()
