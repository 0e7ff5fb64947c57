# Installs the build into a staging folder and checks that every file lands where the
# freedesktop specifications look for it, and that the desktop's own validators accept ours
# (when they are installed).
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
    bin/tessel
    bin/tessel-check
    bin/tessel-album
    share/applications/jp.tessel.Tessel.desktop
    share/metainfo/jp.tessel.Tessel.metainfo.xml
    share/icons/hicolor/scalable/apps/tessel.svg
    share/mime/packages/tessel-photo-xml.xml)
foreach(path IN LISTS expected)
    if(NOT EXISTS "${STAGE}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(READ "${STAGE}/share/applications/jp.tessel.Tessel.desktop" entry)
if(NOT entry MATCHES "MimeType=application/x-tessel-photo-xml;\n")
    message(FATAL_ERROR "the desktop entry does not name the photo XML type")
endif()
if(entry MATCHES "application/xml")
    message(FATAL_ERROR "the desktop entry claims every XML file")
endif()

find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
    execute_process(COMMAND "${DESKTOP_VALIDATE}" "${STAGE}/share/applications/jp.tessel.Tessel.desktop"
                    RESULT_VARIABLE valid)
    if(NOT valid EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate refuses the desktop entry")
    endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net
                            "${STAGE}/share/metainfo/jp.tessel.Tessel.metainfo.xml"
                    RESULT_VARIABLE valid)
    if(NOT valid EQUAL 0)
        message(FATAL_ERROR "appstreamcli refuses the metainfo")
    endif()
endif()
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
    execute_process(COMMAND "${UPDATE_MIME}" "${STAGE}/share/mime" RESULT_VARIABLE built)
    if(NOT built EQUAL 0 OR NOT EXISTS "${STAGE}/share/mime/application/x-tessel-photo-xml.xml")
        message(FATAL_ERROR "update-mime-database refuses the MIME package")
    endif()
endif()
