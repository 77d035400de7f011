# The downloads: a portable ZIP and a per-user 64-bit NSIS installer, both made by
# `cpack` in build/win (tools/package.sh runs it).
install(TARGETS Vantry RUNTIME DESTINATION .)
install(FILES res/fonts/fdata.nf res/fonts/tfdata.nf res/readme.nfo DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES res/fonts/LICENSE DESTINATION . RENAME THIRD-PARTY-NOTICES.txt)

set(CPACK_PACKAGE_NAME Vantry)
set(CPACK_PACKAGE_VENDOR "The Vantry project")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer and light editor for NFO, DIZ and text files")
set(CPACK_PACKAGE_FILE_NAME Vantry-${PROJECT_VERSION}-win64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_NSIS_COMPRESSOR lzma)
set(CPACK_STRIP_FILES TRUE)  # the symbols are of no use to users
# The installer's script is our own template (per-user, amd64-unicode).
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/packaging)
include(CPack)
