# install_control_library(<target> <package>): installs a control library, its
# public headers and a CMake package so hosts can find_package(<package>).
# The shared library is the component <package>_runtime; the link name,
# headers and CMake package are <package>_dev (one Debian package each).
function(install_control_library target package)
    install(TARGETS ${target} EXPORT ${package}Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${package}_runtime NAMELINK_COMPONENT ${package}_dev
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${package}_dev
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${package}_runtime
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
    install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/include/ ${CMAKE_CURRENT_BINARY_DIR}/include/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT ${package}_dev FILES_MATCHING PATTERN "*.h")
    set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${package})
    install(EXPORT ${package}Targets NAMESPACE ${package}:: DESTINATION ${config_dir} COMPONENT ${package}_dev)
    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/PackageConfig.cmake.in
        ${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake INSTALL_DESTINATION ${config_dir})
    write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${package}ConfigVersion.cmake
        VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake
        ${CMAKE_CURRENT_BINARY_DIR}/${package}ConfigVersion.cmake DESTINATION ${config_dir}
        COMPONENT ${package}_dev)
endfunction()
