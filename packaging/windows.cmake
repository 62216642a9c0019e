# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program's own resources (icon, version, manifest) and what a school deploys:
# Kalyxteron-<version>-x64.msi, for per-machine installs (msiexec /qn, Group Policy), and
# Kalyxteron-<version>-x64-portable.zip, a folder that runs from anywhere, a USB stick included.
set(KALYXTERON_FILE_VERSION ${PROJECT_VERSION}.0)
string(REPLACE "." "," KALYXTERON_FILE_VERSION_COMMAS ${KALYXTERON_FILE_VERSION})
set(_windows ${PROJECT_BINARY_DIR}/windows)

# The icon file, drawn from the SVG by the host's icon renderer at the sizes Explorer asks for.
set(KALYXTERON_ICO ${_windows}/kalyxteron.ico)
add_custom_command(
    OUTPUT ${KALYXTERON_ICO}
    COMMAND ${KALYXTERON_RENDER_ICON} --ico ${KALYXTERON_ICON} ${KALYXTERON_ICO} 16 20 24 32 40 48 64 96 128 256
    DEPENDS ${KALYXTERON_HOST_TOOLS} ${KALYXTERON_ICON}
    COMMENT "Rendering the Windows icon file"
    VERBATIM)
set(KALYXTERON_MANIFEST ${_windows}/kalyxteron.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/kalyxteron.manifest.in ${KALYXTERON_MANIFEST} @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/kalyxteron.rc.in ${_windows}/kalyxteron.rc @ONLY)
target_sources(kalyxteron PRIVATE ${_windows}/kalyxteron.rc)
set_source_files_properties(${_windows}/kalyxteron.rc PROPERTIES OBJECT_DEPENDS "${KALYXTERON_ICO};${KALYXTERON_MANIFEST}")
add_custom_target(windows_icon DEPENDS ${KALYXTERON_ICO})
add_dependencies(kalyxteron windows_icon)

# What travels with the program: the licences of everything inside it. Ours, the faces', Qt's
# (Debian's copyright file of qt6-base, which the Qt build keeps beside that Qt) and espeak-ng's
# (Debian's copyright file of espeak-ng, kept beside the espeak-ng build; GPL-3.0-or-later).
get_filename_component(_qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
set(_licences
    ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
    ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt
    ${PROJECT_SOURCE_DIR}/LICENSES/Bitstream-Vera.txt
    ${PROJECT_SOURCE_DIR}/LICENSES/AGPL-3.0-only.txt
    ${PROJECT_SOURCE_DIR}/LICENSES/LicenseRef-URW-Font-Exception.txt)
set(_qt_copyright ${_qt_prefix}/share/doc/qt6-base/copyright)
if(EXISTS ${_qt_copyright})
    configure_file(${_qt_copyright} ${_windows}/Qt-copyright.txt COPYONLY)
    list(APPEND _licences ${_windows}/Qt-copyright.txt)
else()
    message(WARNING "No copyright file beside Qt (${_qt_copyright}): the installer will not carry Qt's licences")
endif()
configure_file(${KALYXTERON_ESPEAK}/share/doc/espeak-ng/copyright ${_windows}/espeak-ng-copyright.txt COPYONLY)
list(APPEND _licences ${_windows}/espeak-ng-copyright.txt)
# The Greek voice's data (espeak-ng-data, about 0.7 MB), which the program finds beside itself.
set(_voice_files el_dict phondata phonindex phontab intonations lang/grk/el)

# The folder both are made from: the stripped program, the voice's data and the licences.
set(KALYXTERON_PORTABLE_NAME Kalyxteron-${PROJECT_VERSION}-x64-portable)
set(_stage ${PROJECT_BINARY_DIR}/${KALYXTERON_PORTABLE_NAME})
set(KALYXTERON_STAGED_EXE ${_stage}/kalyxteron.exe)
add_custom_command(
    OUTPUT ${KALYXTERON_STAGED_EXE}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_stage}/licenses
    COMMAND ${CMAKE_STRIP} -o ${KALYXTERON_STAGED_EXE} $<TARGET_FILE:kalyxteron>
    COMMAND ${CMAKE_COMMAND} -E copy ${_licences} ${_stage}/licenses
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${KALYXTERON_VOICE_DATA} ${_stage}/espeak-ng-data
    DEPENDS kalyxteron ${_licences}
    COMMENT "Putting the program and its licences together"
    VERBATIM)

set(KALYXTERON_ZIP ${PROJECT_BINARY_DIR}/${KALYXTERON_PORTABLE_NAME}.zip)
add_custom_command(
    OUTPUT ${KALYXTERON_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${KALYXTERON_ZIP}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${KALYXTERON_ZIP} --format=zip ${KALYXTERON_PORTABLE_NAME}
    DEPENDS ${KALYXTERON_STAGED_EXE}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Packing ${KALYXTERON_PORTABLE_NAME}.zip"
    VERBATIM)
add_custom_target(portable ALL DEPENDS ${KALYXTERON_ZIP})

# The installer, built with msitools' wixl, which finds the files it packs relative to the
# folder of its source file (and takes no absolute names). Each component keeps its GUID from one
# build to the next (derived from its file's name), as Windows Installer wants.
find_program(WIXL wixl)
if(WIXL)
    set(_namespace a388dd57-95f0-479e-8b62-7eec3a1b5152)
    string(UUID KALYXTERON_GUID_PROGRAM NAMESPACE ${_namespace} NAME kalyxteron.exe TYPE SHA1)
    set(KALYXTERON_WXS_LICENCES "")
    set(KALYXTERON_WXS_LICENCE_REFS "")
    set(_index 0)
    foreach(licence IN LISTS _licences)
        get_filename_component(_name ${licence} NAME)
        string(UUID _guid NAMESPACE ${_namespace} NAME licenses/${_name} TYPE SHA1)
        math(EXPR _index "${_index} + 1")
        string(APPEND KALYXTERON_WXS_LICENCES
            "            <Component Id=\"Licence${_index}\" Guid=\"${_guid}\" Win64=\"yes\">\n"
            "              <File Id=\"Licence${_index}\" Name=\"${_name}\" Source=\"../${KALYXTERON_PORTABLE_NAME}/licenses/${_name}\" KeyPath=\"yes\"/>\n"
            "            </Component>\n")
        string(APPEND KALYXTERON_WXS_LICENCE_REFS "      <ComponentRef Id=\"Licence${_index}\"/>\n")
    endforeach()
    # The voice's files, in espeak-ng-data and its lang/grk folder.
    set(KALYXTERON_WXS_VOICE "")
    set(KALYXTERON_WXS_VOICE_LANGUAGE "")
    foreach(file IN LISTS _voice_files)
        string(UUID _guid NAMESPACE ${_namespace} NAME espeak-ng-data/${file} TYPE SHA1)
        string(MAKE_C_IDENTIFIER "Voice_${file}" _id)
        get_filename_component(_name ${file} NAME)
        set(_component
            "              <Component Id=\"${_id}\" Guid=\"${_guid}\" Win64=\"yes\">\n"
            "                <File Id=\"${_id}\" Name=\"${_name}\" Source=\"../${KALYXTERON_PORTABLE_NAME}/espeak-ng-data/${file}\" KeyPath=\"yes\"/>\n"
            "              </Component>\n")
        if(file MATCHES "/")
            string(APPEND KALYXTERON_WXS_VOICE_LANGUAGE ${_component})
        else()
            string(APPEND KALYXTERON_WXS_VOICE ${_component})
        endif()
        string(APPEND KALYXTERON_WXS_LICENCE_REFS "      <ComponentRef Id=\"${_id}\"/>\n")
    endforeach()
    configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/kalyxteron.wxs.in ${_windows}/kalyxteron.wxs @ONLY)
    set(KALYXTERON_MSI ${PROJECT_BINARY_DIR}/Kalyxteron-${PROJECT_VERSION}-x64.msi)
    add_custom_command(
        OUTPUT ${KALYXTERON_MSI}
        COMMAND ${WIXL} --arch x64 --output ${KALYXTERON_MSI} ${_windows}/kalyxteron.wxs
        DEPENDS ${KALYXTERON_STAGED_EXE} ${_windows}/kalyxteron.wxs ${KALYXTERON_ICO}
        COMMENT "Building the installer Kalyxteron-${PROJECT_VERSION}-x64.msi"
        VERBATIM)
    add_custom_target(msi ALL DEPENDS ${KALYXTERON_MSI})
else()
    message(STATUS "wixl (msitools) not found: no MSI installer (scripts/install-deps installs it)")
endif()
