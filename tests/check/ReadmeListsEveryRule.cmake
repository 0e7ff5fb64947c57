# The README's table of rules is the check's own: every rule tessel-check --rules prints, with
# its level and description, in its order, and no other.
# cmake -DCHECK=… -DREADME=… -P ReadmeListsEveryRule.cmake
execute_process(COMMAND "${CHECK}" --rules OUTPUT_VARIABLE rules RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "tessel-check --rules failed")
endif()
# id<TAB>level<TAB>description of each rule, one a line.
string(REGEX REPLACE "\t[^\t\n]*\n" "\n" expected "${rules}")

file(STRINGS "${README}" lines ENCODING UTF-8 REGEX "^\\| `[a-z0-9-]+` \\| ")
set(listed "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\\| `([a-z0-9-]+)` \\| ([^|]+) \\| (.+) \\|$" "\\1\t\\2\t\\3" row "${line}")
    string(APPEND listed "${row}\n")
endforeach()
if(NOT listed STREQUAL expected)
    file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/rules-expected.tsv" "${expected}")
    file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/rules-listed.tsv" "${listed}")
    message(FATAL_ERROR "the README's rules differ from tessel-check --rules; compare "
                        "rules-expected.tsv and rules-listed.tsv in ${CMAKE_CURRENT_BINARY_DIR}")
endif()
