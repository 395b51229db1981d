# The Debian package, made by CPack from the install rules: `cpack --config CPackConfig.cmake` in a build
# tree writes moxel_<version>_<arch>.deb there.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME moxel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ポルポルMoxel! developers <moxel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "line-art editor for heavy box-drawing characters")
# Lines of the long description stay within 80 columns, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "ポルポルMoxel! draws line art with heavy box-drawing glyphs on a board of 30 × 15
cells. Every click steps a cell along the glyph cycle of the current drawing
mode, with a sound for every glyph. Drawings are kept as .qvx board files and
can be shown as plain text, ready to be copied.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Folders 0755 and files 0644 or 0755, whatever the umask of the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt libraries come from the program's own links; the fonts stand in for the layout's Japanese fonts
# and are loaded by name, so no link names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
# The help and information buttons hand Readme.txt and the web page to the desktop's opener.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/MoxelDebRepack.cmake)

include(CPack)
