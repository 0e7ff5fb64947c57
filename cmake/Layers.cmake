# Each layer names the layers its sources may include, besides its own; the build checks every
# include of the project's own headers against these rules and fails on one that crosses them.
function(tessel_layer layer)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "MAY_INCLUDE")
    string(REPLACE ";" "," allowed "${layer};${ARG_MAY_INCLUDE}")
    set_property(GLOBAL APPEND PROPERTY TESSEL_LAYER_RULES "${layer}:${allowed}")
endfunction()

# After every layer has named its rules: the check, part of every build.
function(tessel_check_layers)
    get_property(rules GLOBAL PROPERTY TESSEL_LAYER_RULES)
    string(REPLACE ";" "|" rules "${rules}")
    add_custom_target(layer_check ALL
        COMMAND ${CMAKE_COMMAND} "-DRULES=${rules}" "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}"
                -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
        COMMENT "Checking the includes between the layers"
        VERBATIM)
endfunction()
