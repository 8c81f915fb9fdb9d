# The installed layout and the Debian package.
#   bin/velmora, bin/velmora-cli, bin/velmora-render
#   share/velmora/           every built data file (the program finds it as ../share/velmora)
#   share/doc/velmora/       the user guide, the PIPELINE.json reference, the data sources
#   share/applications, share/icons/hicolor, share/mime/packages, share/metainfo, share/man/man1
include(GNUInstallDirs)
set(VELMORA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/velmora)
set(VELMORA_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)

install(TARGETS velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET velmora)
  install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# velmora-cli's picture helper (PNG and PDF of the system curve), beside velmora-cli.
if(TARGET velmora-render)
  install(TARGETS velmora-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

get_property(velmora_data GLOBAL PROPERTY VELMORA_INSTALLED_DATA)
install(FILES ${velmora_data} DESTINATION ${VELMORA_INSTALL_DATADIR})
get_property(velmora_guide GLOBAL PROPERTY VELMORA_INSTALLED_GUIDE)
install(FILES ${velmora_guide} DESTINATION ${VELMORA_INSTALL_DOCDIR})
# The reference of the pipeline description velmora-cli reads, beside the guide.
install(FILES ${PROJECT_SOURCE_DIR}/docs/PIPELINE.md DESTINATION ${VELMORA_INSTALL_DOCDIR})
# The list of data files, for the test of the installed layout.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/installed-data.txt CONTENT "$<JOIN:${velmora_data},\n>\n")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pressure loss of liquids and gases in pipelines")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora calculates the pressure loss of a pipeline element by element: pipes,
inlets, changes of section, bends, tees, valves, orifices, screens and more
(65 kinds), for liquids and gases, with property data of media, pipe and
fitting tables and engineering tools beside the results table. German,
English, French and Dutch; metric and US units. The package holds the desktop
program and velmora-cli, the command-line program for batch work.")
set(VELMORA_PACKAGE_MAINTAINER "The Velmora developers <velmora@localhost>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)   # velmora_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)    # dependencies from the libraries the programs link
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
