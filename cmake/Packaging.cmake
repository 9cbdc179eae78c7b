# Debian packages, one per install component, made with `cpack -G DEB` in the
# build folder:
#   libquotechart1, libquotechart-dev   the chart library, its development files
#   libsplitbay6-1, libsplitbay6-dev    the dock pane library, its development files
#   quotechart-samples                  the sample histories, /usr/share/quotechart/hist
#   quotechart-designer-plugin          the Qt Designer plugin, when it is built
#   quotechart-viewer                   the example host as an application, when built
# Each holds the copyright file and the Debian changelog in its doc folder.
include(${CMAKE_CURRENT_LIST_DIR}/GzipFile.cmake)

set(QUOTECHART_PACKAGE_MAINTAINER "quotechart maintainers <maintainers@quotechart.org>"
    CACHE STRING "The packages' maintainer, \"Name <address>\"; also signs the Debian changelog")

set(CPACK_PACKAGE_NAME quotechart)
set(CPACK_PACKAGE_VENDOR "quotechart developers")
set(CPACK_PACKAGE_CONTACT "${QUOTECHART_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Each package's description has a summary line of its own (none is prepended).
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)   # no debug symbols are shipped
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SOURCE quotechart)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Library dependencies are read off the binaries. dpkg-shlibdeps finds our
# own two libraries in the build tree; the dependencies on their packages
# are named below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

set(deb_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(quotechart_runtime "libquotechart${PROJECT_VERSION_MAJOR} (= ${deb_version})")
set(splitbay6_runtime "libsplitbay6-${PROJECT_VERSION_MAJOR} (= ${deb_version})")
set(samples "quotechart-samples (= ${deb_version})")

# The copyright file takes the project's licence text from LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(FIND "${license}" "Permission is hereby granted" at)
string(SUBSTRING "${license}" ${at} -1 expat_text)
string(STRIP "${expat_text}" expat_text)
string(REPLACE "\n\n" "\n.\n" expat_text "${expat_text}")
string(REPLACE "\n" "\n " expat_text " ${expat_text}")
set(debian_files ${PROJECT_BINARY_DIR}/debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${debian_files}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${debian_files}/changelog @ONLY)
gzip_file(${debian_files}/changelog ${debian_files}/changelog.Debian.gz)

set(CPACK_COMPONENTS_ALL)
# debian_package(<component> <package> SECTION <section> SUMMARY <line> DESCRIPTION <lines...>
#                [DEPENDS <packages...>] [SUGGESTS <packages...>] [ARCHITECTURE all] [SHARED_LIBRARY])
# One package: its control fields, and its copyright file and changelog,
# which only the package installs (a plain install leaves them out). The
# description's lines hold no semicolons or double quotes: a semicolon splits
# the line, and CPack writes the text into its configuration unescaped.
function(debian_package component package)
    cmake_parse_arguments(arg "SHARED_LIBRARY" "SECTION;SUMMARY;ARCHITECTURE" "DESCRIPTION;DEPENDS;SUGGESTS" ${ARGN})
    string(TOUPPER ${component} var)
    # CPack indents the lines; a "." line separates paragraphs.
    list(JOIN arg_DESCRIPTION "\n" description)
    set(CPACK_COMPONENT_${var}_DESCRIPTION "${arg_SUMMARY}\n${description}" PARENT_SCOPE)
    set(CPACK_DEBIAN_${var}_PACKAGE_NAME ${package} PARENT_SCOPE)
    set(CPACK_DEBIAN_${var}_PACKAGE_SECTION ${arg_SECTION} PARENT_SCOPE)
    list(JOIN arg_DEPENDS ", " depends)
    set(CPACK_DEBIAN_${var}_PACKAGE_DEPENDS "${depends}" PARENT_SCOPE)
    list(JOIN arg_SUGGESTS ", " suggests)
    set(CPACK_DEBIAN_${var}_PACKAGE_SUGGESTS "${suggests}" PARENT_SCOPE)
    if(arg_ARCHITECTURE)
        set(CPACK_DEBIAN_${var}_PACKAGE_ARCHITECTURE ${arg_ARCHITECTURE} PARENT_SCOPE)
    endif()
    if(arg_SHARED_LIBRARY)
        # The loader's cache is refreshed by a trigger, once for many packages.
        set(CPACK_DEBIAN_${var}_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers PARENT_SCOPE)
    endif()
    install(FILES ${debian_files}/copyright ${debian_files}/changelog.Debian.gz
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
    set(CPACK_COMPONENTS_ALL ${CPACK_COMPONENTS_ALL} ${component} PARENT_SCOPE)
endfunction()

debian_package(quotechart_runtime libquotechart${PROJECT_VERSION_MAJOR} SECTION libs SHARED_LIBRARY
    SUMMARY "daily stock chart widget for Qt 6"
    DESCRIPTION
        "quotechart is a Qt 6 widget that draws a daily stock chart from a price"
        "history file: high-low-close bars or a close line with moving averages,"
        "envelopes and Bollinger bands, price and date rulers, three indicator"
        "panes (volume, RSI, stochastics, MACD, momentum, money flow and more), a"
        "crosshair read-out, paging and zoom, simulated trades with their gains,"
        "chart files and printing."
        "."
        "This package contains the shared library."
    SUGGESTS quotechart-samples)
debian_package(quotechart_dev libquotechart-dev SECTION libdevel
    SUMMARY "daily stock chart widget for Qt 6 - development files"
    DESCRIPTION
        "quotechart is a Qt 6 widget that draws a daily stock chart from a price"
        "history file, with indicators, a crosshair read-out, simulated trades,"
        "chart files and printing."
        "."
        "This package contains the headers, the link name and the CMake package"
        "for find_package(quotechart). It brings the sample histories along."
    DEPENDS ${quotechart_runtime} qt6-base-dev ${samples})
debian_package(splitbay6_runtime libsplitbay6-${PROJECT_VERSION_MAJOR} SECTION libs SHARED_LIBRARY
    SUMMARY "docked side pane for Qt 6 MDI main windows"
    DESCRIPTION
        "splitbay6 is a Qt 6 control that docks a pane to one edge of an MDI"
        "main window, beside the document area, and resizes it as the user drags"
        "its splitter bar, within limits the host sets. Its settings are kept in"
        "a property bag."
        "."
        "This package contains the shared library.")
debian_package(splitbay6_dev libsplitbay6-dev SECTION libdevel
    SUMMARY "docked side pane for Qt 6 MDI main windows - development files"
    DESCRIPTION
        "splitbay6 is a Qt 6 control that docks a pane to one edge of an MDI"
        "main window and resizes it as the user drags its splitter bar."
        "."
        "This package contains the headers, the link name and the CMake package"
        "for find_package(splitbay6)."
    DEPENDS ${splitbay6_runtime} qt6-base-dev)
debian_package(quotechart_samples quotechart-samples SECTION misc ARCHITECTURE all
    SUMMARY "sample daily price histories for the quotechart widget"
    DESCRIPTION
        "Two daily price histories in the chart's standard layout, newest day"
        "first, with the date, open, high, low, close and volume of each day:"
        "Microsoft from 2000 to 2014 and Google from 2004 to 2008, real exchange"
        "prices."
        "."
        "The chart library reads them from /usr/share/quotechart/hist when its"
        "host names no other folder.")
if(QUOTECHART_DESIGNER_PLUGIN_COMPONENT)
    # Designer's library is what loads the plugin, though the plugin does not
    # link it. "~" lets the Qt version built against match its pre-releases
    # too: Debian 12's 6.4.2~rc1-2 sorts below 6.4.2.
    debian_package(${QUOTECHART_DESIGNER_PLUGIN_COMPONENT} quotechart-designer-plugin SECTION devel
        SUMMARY "Qt Designer plugin of the quotechart and splitbay6 widgets"
        DESCRIPTION
            "Puts the daily stock chart and the docked side pane in Qt Designer's"
            "widget box, under Quote charts, so that forms can hold them. Such"
            "forms load with QUiLoader."
        DEPENDS ${quotechart_runtime} ${splitbay6_runtime} "libqt6designer6 (>= ${Qt6_VERSION}~)")
endif()
if(TARGET quotechart_viewer)
    debian_package(viewer quotechart-viewer SECTION misc
        SUMMARY "daily stock chart viewer with a watch list"
        DESCRIPTION
            "A desktop application built on the quotechart and splitbay6 widgets:"
            "a watch list of tickers docked beside a window of charts, each with"
            "moving averages, bands, indicator panes, a crosshair read-out and"
            "simulated buys and sells, with chart files, printing and picture"
            "export."
            "."
            "It starts with the sample histories."
        DEPENDS ${quotechart_runtime} ${splitbay6_runtime} ${samples})
endif()

include(CPack)
