# tessel-album and tessel-check as a script calls them: the exit status says what went wrong,
# and standard error says why in Japanese.
#   cmake -DALBUM=... -DCHECK=... -DSAMPLE=.../PHOTO.XML -DWORK=... -P ExitCodes.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# expect(TOOL STATUS REASON ARGUMENTS...): REASON, when not empty, must be in standard error.
function(expect tool status reason)
    execute_process(COMMAND ${tool} ${ARGN} RESULT_VARIABLE result ERROR_VARIABLE error
                    OUTPUT_QUIET)
    if(NOT result EQUAL status)
        message(FATAL_ERROR "${tool} ${ARGN}: exit ${result}, expected ${status}\n${error}")
    endif()
    if(reason AND NOT error MATCHES "${reason}")
        message(FATAL_ERROR "${tool} ${ARGN}: said «${error}», expected «${reason}»")
    endif()
endfunction()

expect(${ALBUM} 2 "" ${WORK}/nothing-here ${WORK}/a.pdf)
expect(${ALBUM} 2 "" ${SAMPLE} ${WORK}/b.pdf --node 工事/ない分類)
expect(${ALBUM} 1 "ファイルが見つかりません。" ${SAMPLE} ${WORK}/no-folder/c.pdf)
expect(${ALBUM} 0 "" ${SAMPLE} ${WORK}/d.pdf --per-page 2 --node 工事/施工状況写真)
if(NOT EXISTS ${WORK}/d.pdf OR EXISTS ${WORK}/b.pdf)
    message(FATAL_ERROR "the album was not written where asked, or was written when it should not")
endif()

# The sample has エラー (status 1) when its CSV is written too; an unwritable CSV is status 1
# with its reason; two formats at once are refused.
expect(${CHECK} 2 "" --csv ${WORK}/e.csv --json ${SAMPLE})
expect(${CHECK} 1 "ファイルが見つかりません。" --csv ${WORK}/no-folder/e.csv ${SAMPLE})
expect(${CHECK} 1 "" --csv ${WORK}/f.csv ${SAMPLE})
file(READ ${WORK}/f.csv csv LIMIT 40)
if(NOT csv MATCHES "レベル")
    message(FATAL_ERROR "tessel-check did not write its CSV: «${csv}»")
endif()
