# Debian packages: `cpack -G DEB` in a build folder (scripts/package.sh
# builds, packs, checks and installs them).
#
#   tmscore-cli     the command line and libtmtools.so.1, the man page,
#                   completion and documents; no Qt
#   tmscore         the window; needs tmscore-cli, and besides the libraries
#                   dpkg-shlibdeps finds, what Qt loads at run time that no
#                   library scan sees: the platform plugins, the SVG icon
#                   engine (every icon is an SVG) and a font for Chinese
#   libtmtools-dev  headers, the libtmtools.so link, CMake and pkg-config files
set(CPACK_PACKAGE_NAME tmscore)
set(CPACK_PACKAGE_VENDOR "The TmScore developers")
set(CPACK_PACKAGE_CONTACT "The TmScore developers <tmscore@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# No CPACK_PACKAGE_DESCRIPTION_SUMMARY: the first line of each package's
# description below is its synopsis.
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# The programs find libtmtools.so.1 through their RUNPATH; dpkg-shlibdeps
# must find it in tmscore-cli's staged tree, a sibling of the folder each
# component is staged and scanned in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ../cli${CPACK_PACKAGING_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR})

set(CPACK_COMPONENTS_ALL cli gui dev)
set(CPACK_COMPONENT_GUI_DEPENDS cli)
set(CPACK_COMPONENT_DEV_DEPENDS cli)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME tmscore-cli)
set(CPACK_DEBIAN_CLI_DESCRIPTION "grading of structural-design projects: command line
tmscore-cli grades a class of students' structural-design projects (zip,
rar or 7z hand-ins, or project folders) against a teacher's standard
project and writes the score workbooks. It needs no window system.
Also holds libtmtools.so.1, the tools library of TmScore.")
set(CPACK_DEBIAN_CLI_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_DEBIAN_GUI_PACKAGE_NAME tmscore)
set(CPACK_DEBIAN_GUI_DESCRIPTION "grading of structural-design projects: desktop window
tmscore (Tesmo评分系统) is the Qt desktop window of TmScore: choose the
standard project and what counts, import the students' hand-ins, compute
the scores and write the score workbooks.")
set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libqt6svg6, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei | fonts-arphic-uming")
set(CPACK_DEBIAN_GUI_PACKAGE_RECOMMENDS "qt6-translations-l10n")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libtmtools-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_DESCRIPTION "tools library of TmScore: development files
Headers (include/tmtools/), the libtmtools.so link, a CMake package
(find_package(TmTools)) and a pkg-config file (tmtools) for programs that
use libtmtools.so.1: GBK line reading, file and string utilities,
message presenter and geometry kit.")

include(CPack)
