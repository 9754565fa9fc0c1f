# Desktop integration: launcher, AppStream metainfo, file types, icons and man page, installed
# in the GNUInstallDirs layout, and the Debian package that `make package` builds with CPack.
include(GNUInstallDirs)

set(GRIDLET_APP_ID io.github.gridlet.Gridlet)
set(GRIDLET_ICON_SIZES 16 32 48 64 128 256)
set(desktop_source ${PROJECT_SOURCE_DIR}/desktop)
set(desktop_build ${PROJECT_BINARY_DIR}/desktop)

# The PNG icons are rasterised from the one hand-drawn SVG, so they never drift from it.
find_program(GRIDLET_RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg ${desktop_source}/${GRIDLET_APP_ID}.svg)
set(icon_pngs "")
set(project_icon application-x-gridlet-project)
foreach(size IN LISTS GRIDLET_ICON_SIZES)
    set(icon_dir ${desktop_build}/icons/${size}x${size})
    set(png ${icon_dir}/${GRIDLET_APP_ID}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
        COMMAND ${GRIDLET_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_svg}
        DEPENDS ${icon_svg}
        COMMENT "Rasterising the ${size}x${size} icon"
        VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    # A project shows the program's own icon.
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes
            RENAME ${project_icon}.png)
endforeach()

# Debian ships man pages compressed; -n keeps the archive free of names and times.
configure_file(${desktop_source}/gridlet.1.in ${desktop_build}/gridlet.1 @ONLY)
add_custom_command(
    OUTPUT ${desktop_build}/gridlet.1.gz
    COMMAND gzip -9 -n -k -f ${desktop_build}/gridlet.1
    DEPENDS ${desktop_build}/gridlet.1
    COMMENT "Compressing the man page"
    VERBATIM)

# A Debian package carries its changelog compressed, beside the copyright file.
add_custom_command(
    OUTPUT ${desktop_build}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${desktop_source}/changelog ${desktop_build}/changelog
    COMMAND gzip -9 -n -f ${desktop_build}/changelog
    DEPENDS ${desktop_source}/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)

add_custom_target(gridlet_desktop_files ALL
    DEPENDS ${icon_pngs} ${desktop_build}/gridlet.1.gz ${desktop_build}/changelog.gz)

install(FILES ${desktop_source}/${GRIDLET_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_source}/${GRIDLET_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_source}/${GRIDLET_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${GRIDLET_APP_ID}.xml)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME ${project_icon}.svg)
install(FILES ${desktop_build}/gridlet.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${desktop_source}/copyright ${desktop_build}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package. Its dependencies come from dpkg-shlibdeps; the caches of launchers, file
# types and icons are refreshed by the triggers of the Debian packages that own them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridlet)
set(CPACK_PACKAGE_CONTACT "gridlet developers <gridlet@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the 8x8 character sets of 8-bit computers")
# One line of the control file's long description each.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "gridlet edits the 256-glyph, 8x8-pixel character sets of 8-bit home computers"
    "and text-mode PCs: paint glyphs pixel by pixel, transform and move them, start"
    "from a built-in set, try them on a character map, and read and write raw font"
    "and map files and a BMP picture of the whole set.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
