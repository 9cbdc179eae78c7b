# write_version_header(<package>): makes <package>/Version.h from the project
# version in the folder of generated public headers, which
# install_control_library installs with the others.
function(write_version_header package)
    string(TOUPPER ${package} PREFIX)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/Version.h.in
        ${CMAKE_CURRENT_BINARY_DIR}/include/${package}/Version.h @ONLY)
endfunction()
