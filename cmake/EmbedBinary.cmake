# embed_binary(<target> <file> <symbol>)
# Compiles <file> into <target> as `extern const std::array<uint8_t, N> embedded::<symbol>`,
# declared in the generated header "embedded/<symbol>.h". Regenerated whenever <file> changes.
set(GRIDLET_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(embed_binary target file symbol)
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
    set(header ${out_dir}/${symbol}.h)
    set(source ${out_dir}/${symbol}.cpp)
    add_custom_command(
        OUTPUT ${header} ${source}
        COMMAND ${CMAKE_COMMAND} -DEMBED_INPUT=${file} -DEMBED_SYMBOL=${symbol}
                -DEMBED_HEADER=${header} -DEMBED_SOURCE=${source} -P ${GRIDLET_EMBED_SCRIPT}
        DEPENDS ${file} ${GRIDLET_EMBED_SCRIPT}
        COMMENT "Embedding ${file}"
        VERBATIM)
    target_sources(${target} PRIVATE ${header} ${source})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# Script mode: write the header and the source for one file.
if(CMAKE_SCRIPT_MODE_FILE)
    file(SIZE ${EMBED_INPUT} size)
    file(READ ${EMBED_INPUT} hex HEX)
    # Twelve bytes a line.
    string(LENGTH "${hex}" digits)
    set(bytes "")
    foreach(offset RANGE 0 ${digits} 24)
        string(SUBSTRING "${hex}" ${offset} 24 line)
        if(NOT line STREQUAL "")
            string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " line "${line}")
            string(STRIP "${line}" line)
            string(APPEND bytes "    ${line}\n")
        endif()
    endforeach()
    set(declaration "extern const std::array<uint8_t, ${size}> ${EMBED_SYMBOL}")
    file(WRITE ${EMBED_HEADER}
        "// Generated from ${EMBED_INPUT}; do not edit.\n"
        "#pragma once\n\n#include <array>\n#include <cstdint>\n\n"
        "namespace embedded {\n${declaration};\n}\n")
    file(WRITE ${EMBED_SOURCE}
        "// Generated from ${EMBED_INPUT}; do not edit.\n"
        "#include \"embedded/${EMBED_SYMBOL}.h\"\n\n"
        "namespace embedded {\n${declaration}{\n${bytes}};\n}\n")
endif()
