# The Debian package, made from the install target by "cpack -G DEB". ./package builds it as
# Debian builds its own (the program in games, the distribution's hardening flags) and checks
# it. Its dependencies are what dpkg-shlibdeps finds the program linked against.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gyrotrak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${GYROTRAK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "full-screen 3-D ride along a random track")
set(CPACK_PACKAGE_DESCRIPTION
  "Gyrotrak builds a closed track from random sines and cosines and carries
you along it, full screen, past a glowing ribbon, a textured globe, a
circling flare, particle effects and a star field, with fog, a moving light
and fading trails. Every two minutes a new track arrives. It also runs as a
screen saver in the window of a screen-saver host.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders 0755 whatever the umask of the one who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
  GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/gyrotrak/gyrotrak)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
