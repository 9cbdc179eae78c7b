# Debian packages of the two libraries, one per install component:
#   libquotechart1, libquotechart-dev (with the sample histories),
#   libsplitbay6-1, libsplitbay6-dev
#   quotechart-designer-plugin (when the Designer plugin is built)
# Made with `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME quotechart)
set(CPACK_PACKAGE_VENDOR "quotechart developers")
set(CPACK_PACKAGE_CONTACT "quotechart developers <quotechart@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
# The runtime packages' library dependencies are read off the libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_COMPONENTS_ALL quotechart_runtime quotechart_dev splitbay6_runtime splitbay6_dev)
if(QUOTECHART_DESIGNER_PLUGIN_COMPONENT)
    list(APPEND CPACK_COMPONENTS_ALL ${QUOTECHART_DESIGNER_PLUGIN_COMPONENT})
endif()

set(CPACK_DEBIAN_QUOTECHART_RUNTIME_PACKAGE_NAME libquotechart${PROJECT_VERSION_MAJOR})
set(CPACK_COMPONENT_QUOTECHART_RUNTIME_DESCRIPTION "Daily stock chart control for Qt 6 (runtime library)")
set(CPACK_DEBIAN_QUOTECHART_DEV_PACKAGE_NAME libquotechart-dev)
set(CPACK_DEBIAN_QUOTECHART_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_QUOTECHART_DEV_PACKAGE_DEPENDS
    "libquotechart${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION}), qt6-base-dev")
set(CPACK_COMPONENT_QUOTECHART_DEV_DESCRIPTION
    "Daily stock chart control for Qt 6 (headers, CMake package and sample histories)")

set(CPACK_DEBIAN_SPLITBAY6_RUNTIME_PACKAGE_NAME libsplitbay6-${PROJECT_VERSION_MAJOR})
set(CPACK_COMPONENT_SPLITBAY6_RUNTIME_DESCRIPTION "MDI dock pane control for Qt 6 (runtime library)")
set(CPACK_DEBIAN_SPLITBAY6_DEV_PACKAGE_NAME libsplitbay6-dev)
set(CPACK_DEBIAN_SPLITBAY6_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_SPLITBAY6_DEV_PACKAGE_DEPENDS
    "libsplitbay6-${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION}), qt6-base-dev")
set(CPACK_COMPONENT_SPLITBAY6_DEV_DESCRIPTION "MDI dock pane control for Qt 6 (headers and CMake package)")

set(CPACK_DEBIAN_DESIGNER_PLUGIN_PACKAGE_NAME quotechart-designer-plugin)
set(CPACK_DEBIAN_DESIGNER_PLUGIN_PACKAGE_SECTION devel)
# dpkg-shlibdeps cannot see the two libraries of the other packages, so the
# plugin's dependencies are listed here.
set(CPACK_DEBIAN_DESIGNER_PLUGIN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_DESIGNER_PLUGIN_PACKAGE_DEPENDS
    "libquotechart${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION}), libsplitbay6-${PROJECT_VERSION_MAJOR} (= ${PROJECT_VERSION}), libqt6designer6 (>= ${Qt6_VERSION})")
set(CPACK_COMPONENT_DESIGNER_PLUGIN_DESCRIPTION "Qt Designer plugin of the chart and dock pane controls")

include(CPack)
