# The API documentation, with Doxygen when it is installed (Debian: doxygen):
#   target docs       HTML of the public headers into <build>/docs/html
#   test api_docs     fails when a public member of either library has no
#                     comment (any Doxygen warning fails it)
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
    message(STATUS "Doxygen not found: no docs target and no api_docs test (Debian: doxygen)")
    return()
endif()

set(DOCS_OUTPUT ${PROJECT_BINARY_DIR}/docs)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Doxyfile.in ${PROJECT_BINARY_DIR}/Doxyfile @ONLY)
add_custom_target(docs
    COMMAND ${CMAKE_COMMAND} -E remove_directory ${DOCS_OUTPUT}
    COMMAND Doxygen::doxygen ${PROJECT_BINARY_DIR}/Doxyfile
    COMMENT "API documentation into ${DOCS_OUTPUT}/html"
    VERBATIM)

if(QUOTECHART_BUILD_TESTS)
    # The same run into a folder of its own, so a test never replaces the docs.
    set(DOCS_OUTPUT ${PROJECT_BINARY_DIR}/tests/api_docs)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/Doxyfile.in ${PROJECT_BINARY_DIR}/tests/Doxyfile.api_docs @ONLY)
    add_test(NAME api_docs COMMAND Doxygen::doxygen ${PROJECT_BINARY_DIR}/tests/Doxyfile.api_docs)
endif()
