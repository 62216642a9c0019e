# Installing the program where a desktop looks for it, and the Debian package.
# One id names the desktop entry, the icon and the AppStream metainfo alike.
include(GNUInstallDirs)

set(KALYXTERON_APP_ID org.kalyxteron.Kalyxteron)
set(KALYXTERON_ICON ${PROJECT_SOURCE_DIR}/assets/icon/${KALYXTERON_APP_ID}.svg)
set(KALYXTERON_DESKTOP_ENTRY ${PROJECT_SOURCE_DIR}/assets/desktop/${KALYXTERON_APP_ID}.desktop)
set(KALYXTERON_METAINFO ${PROJECT_SOURCE_DIR}/assets/desktop/${KALYXTERON_APP_ID}.metainfo.xml)
# The sizes desktops ask the hicolor theme for, besides the scalable picture.
set(KALYXTERON_ICON_SIZES 16 32 48 64 128 256)

# The PNG icons are drawn from the SVG at build time, by a tool of ours.
qt_add_executable(render_icon tools/render_icon.cpp)
target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg)

set(_icon_folder ${PROJECT_BINARY_DIR}/icons)
set(_icon_pngs)
foreach(size IN LISTS KALYXTERON_ICON_SIZES)
    list(APPEND _icon_pngs ${_icon_folder}/${size}x${size}/apps/${KALYXTERON_APP_ID}.png)
endforeach()
add_custom_command(
    OUTPUT ${_icon_pngs}
    COMMAND render_icon ${KALYXTERON_ICON} ${_icon_folder} ${KALYXTERON_ICON_SIZES}
    DEPENDS render_icon ${KALYXTERON_ICON}
    COMMENT "Rendering the icon at ${KALYXTERON_ICON_SIZES} pixels"
    VERBATIM)
add_custom_target(icons ALL DEPENDS ${_icon_pngs})
# The program's windows take their icon from the small ones: no SVG is drawn when a window opens.
set(_window_icon_pngs ${_icon_pngs})
list(FILTER _window_icon_pngs INCLUDE REGEX "/(16|32|48|64)x")
qt_add_resources(kalyxteron_gui "icon" PREFIX "/icon" BASE ${_icon_folder} FILES ${_window_icon_pngs})

install(TARGETS kalyxteron RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KALYXTERON_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KALYXTERON_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KALYXTERON_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${_icon_folder}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# `make package`: a .deb whose dependencies are the Qt 6 libraries the binary
# links (found by dpkg-shlibdeps) and the fonts the screens and diplomas use.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalyxteron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill of the four operations for primary-school pupils")
set(CPACK_PACKAGE_DESCRIPTION "A program in Greek with which primary-school pupils practise the sum,
the difference, the product and the quotient with remainder of whole
numbers, earning points, Olympic mascots and a printable diploma.")
set(CPACK_PACKAGE_CONTACT "Kalyxteron developers <developers@kalyxteron.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kalyxteron.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-urw-base35, fonts-dejavu-core")
include(CPack)
