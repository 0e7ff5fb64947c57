# tessel-album as a script calls it: the exit status says what went wrong.
#   cmake -DALBUM=... -DSAMPLE=.../PHOTO.XML -DWORK=... -P ExitCodes.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect status)
    execute_process(COMMAND ${ALBUM} ${ARGN} RESULT_VARIABLE result ERROR_VARIABLE error
                    OUTPUT_QUIET)
    if(NOT result EQUAL status)
        message(FATAL_ERROR "tessel-album ${ARGN}: exit ${result}, expected ${status}\n${error}")
    endif()
endfunction()

expect(2 ${WORK}/nothing-here ${WORK}/a.pdf)
expect(2 ${SAMPLE} ${WORK}/b.pdf --node 工事/ない分類)
expect(1 ${SAMPLE} ${WORK}/no-folder/c.pdf)
expect(0 ${SAMPLE} ${WORK}/d.pdf --per-page 2 --node 工事/施工状況写真)
if(NOT EXISTS ${WORK}/d.pdf OR EXISTS ${WORK}/b.pdf)
    message(FATAL_ERROR "the album was not written where asked, or was written when it should not")
endif()
