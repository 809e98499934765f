# Fotino as a desktop program: the menu entry, the document type, the icons and the software
# centre's description, installed beside the program and its resource folder (share/fotino, laid
# out where the program and the presets are declared); and the Debian package of all of it.
set(FOTINO_APP_ID app.fotino.Fotino)
set(desktop ${CMAKE_SOURCE_DIR}/resources/desktop)

install(FILES ${desktop}/${FOTINO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop}/${FOTINO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop}/${FOTINO_APP_ID}.mime.xml DESTINATION share/mime/packages
  RENAME ${FOTINO_APP_ID}.xml)

# Icons: the drawings are the SVGs; the bitmaps that menus and docks without an SVG loader
# need are rendered from them at build time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icons
  # drawing                            context
  "${FOTINO_APP_ID}                    apps"
  "application-x-fotino-document       mimetypes")
set(icon_bitmaps)
foreach(entry IN LISTS icons)
  string(REGEX REPLACE " +" ";" entry "${entry}")
  list(GET entry 0 icon)
  list(GET entry 1 context)
  install(FILES ${desktop}/${icon}.svg DESTINATION share/icons/hicolor/scalable/${context})
  foreach(size 48 128 256)
    set(folder ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/${context})
    add_custom_command(OUTPUT ${folder}/${icon}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${folder}/${icon}.png
              ${desktop}/${icon}.svg
      DEPENDS ${desktop}/${icon}.svg
      VERBATIM)
    list(APPEND icon_bitmaps ${folder}/${icon}.png)
    install(FILES ${folder}/${icon}.png DESTINATION share/icons/hicolor/${size}x${size}/${context})
  endforeach()
endforeach()
add_custom_target(fotino_icons ALL DEPENDS ${icon_bitmaps})

# `cpack` (or `make package`) builds fotino_VERSION_ARCH.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fotino)
set(CPACK_PACKAGE_VENDOR "The Fotino developers")
set(CPACK_PACKAGE_CONTACT "The Fotino developers <hello@fotino.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make passport, visa and ID photos")
set(CPACK_PACKAGE_DESCRIPTION
  "Fotino frames identity photographs to a document format (ICAO, US, UK, Schengen and\n\
thirty more), keeps a library of photo documents, prints copies of the ticked ones at true\n\
size on a sheet and exports one as TIFF, JPEG or PNG.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://fotino.app/)
# The libraries come from what the program links; the picture formats Qt reads through plugins
# (TIFF and WebP among those the menu entry offers to open) are not linked, so they are named,
# and so are OpenCV's trained cascades, which the face finder reads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, opencv-data")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
include(CPack)
