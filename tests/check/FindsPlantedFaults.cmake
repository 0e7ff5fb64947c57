# Writes a flawed and a clean sample delivery and runs tessel-check on both: every fault the
# generator planted (FLAWS.TSV at the disc's root: rule, file name) must be reported on its file, and the clean
# delivery must give nothing but the lines that name the edition it was judged by and count its
# electronic blackboards.
# cmake -DMAKE_SAMPLE=… -DCHECK=… -DWORK=… -P FindsPlantedFaults.cmake
cmake_policy(SET CMP0057 NEW) # IN_LIST
file(REMOVE_RECURSE "${WORK}")

function(check_delivery kind result_var)
    execute_process(COMMAND "${MAKE_SAMPLE}" "--${kind}" "${WORK}/${kind}"
                    RESULT_VARIABLE made OUTPUT_QUIET ERROR_QUIET)
    if(NOT made EQUAL 0)
        message(FATAL_ERROR "tessel-make-sample --${kind} failed")
    endif()
    execute_process(COMMAND "${CHECK}" "${WORK}/${kind}" OUTPUT_VARIABLE output
                    RESULT_VARIABLE status)
    set(${result_var} "${output}" PARENT_SCOPE)
    set(${result_var}_status "${status}" PARENT_SCOPE)
endfunction()

check_delivery(clean clean)
# The clean photos carry an electronic blackboard, which the check counts once.
if(NOT clean_status EQUAL 0 OR NOT clean MATCHES
   "^情報\tedition\t[^\n]*\n情報\tblackboard-present\t[^\n]*\nエラー 0 件、注意 0 件、情報 2 件\n$")
    message(FATAL_ERROR "the clean delivery gave findings:\n${clean}")
endif()

check_delivery(flaws flawed)
if(NOT flawed_status EQUAL 1)
    message(FATAL_ERROR "tessel-check found no エラー in the flawed delivery")
endif()
# Each finding as "rule<TAB>file": the level and serial number left out.
string(REPLACE ";" "," flawed "${flawed}")
string(REPLACE "\n" ";" lines "${flawed}")
set(reported "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[^\t]*\t([^\t]*)\t[^\t]*\t([^\t]*)\t.*$" "\\1\t\\2" pair "${line}")
    list(APPEND reported "${pair}")
endforeach()
file(STRINGS "${WORK}/flaws/FLAWS.TSV" planted)
foreach(fault IN LISTS planted)
    if(NOT fault IN_LIST reported)
        message(FATAL_ERROR "not reported: ${fault}")
    endif()
endforeach()
list(LENGTH planted count)
message(STATUS "all ${count} planted faults reported")
