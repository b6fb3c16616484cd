# A Debian package of the whole suite: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME cranecalc)
set(CPACK_PACKAGE_VENDOR "Crane design group")
set(CPACK_PACKAGE_CONTACT "Crane design group <cranecalc@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "起重机设计计算程序: nine calculators for cranes and lifting gear")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries follow from the programs themselves; the platform plugins and a Simplified
# Chinese font are needed at run time without being linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
