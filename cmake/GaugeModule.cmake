# Building a gauge module: its sources as objects, a "records" build of the
# module that the picture generator loads to place dial marks through the
# gauges' own tables and callbacks, the generated bitmaps, and the final
# module file with every resource in its .gauge_resources section.

# Writes an assembly file that includes PACK into the resource section and
# sets OUT_VAR to its path; objects built from it are rebuilt when PACK changes.
function(gauge_resource_asm out_var name pack)
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources.S)
  file(WRITE ${asm}.in
    "/* Generated: the module's resource pack, in a read-only section of its own. */\n"
    "    .section .gauge_resources,\"a\",@progbits\n"
    "    .balign 16\n"
    "    .incbin \"${pack}\"\n"
    "    .section .note.GNU-stack,\"\",@progbits\n")
  configure_file(${asm}.in ${asm} COPYONLY)
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS ${pack})
  set(${out_var} ${asm} PARENT_SCOPE)
endfunction()

function(gauge_module_properties target output_name exports output_dir)
  target_link_libraries(${target} PRIVATE gauge_core gaugeplatform)
  target_link_options(${target} PRIVATE -Wl,--version-script=${exports} -Wl,-soname,${output_name}.gau)
  set_target_properties(${target} PROPERTIES
    PREFIX "" SUFFIX ".gau" OUTPUT_NAME ${output_name}
    LIBRARY_OUTPUT_DIRECTORY ${output_dir}
    LINK_DEPENDS ${exports}
    BUILD_RPATH "$ORIGIN/../lib")
endfunction()

# add_gauge_module(<target> OUTPUT_NAME <name> ART_MODULE <key>
#                  RESOURCE_MANIFEST <file> EXPORTS <map>
#                  SOURCES <files...> [RESOURCE_DEPENDS <files...>])
function(add_gauge_module target)
  cmake_parse_arguments(GM "" "OUTPUT_NAME;ART_MODULE;RESOURCE_MANIFEST;EXPORTS" "SOURCES;RESOURCE_DEPENDS" ${ARGN})

  add_library(${target}_objects OBJECT ${GM_SOURCES})
  target_include_directories(${target}_objects PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target}_objects PRIVATE gauge_core gaugeplatform)
  target_compile_options(${target}_objects PRIVATE -fno-exceptions -fno-rtti)
  set_target_properties(${target}_objects PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)

  # The records build: the same objects with only the hand-made resources.
  set(records_pack ${CMAKE_CURRENT_BINARY_DIR}/${target}_records.pack)
  add_custom_command(OUTPUT ${records_pack}
    COMMAND respack -o ${records_pack} ${GM_RESOURCE_MANIFEST}
    DEPENDS respack ${GM_RESOURCE_MANIFEST} ${GM_RESOURCE_DEPENDS}
    COMMENT "Packing ${GM_OUTPUT_NAME} records resources")
  gauge_resource_asm(records_asm ${target}_records ${records_pack})
  add_library(${target}_records MODULE $<TARGET_OBJECTS:${target}_objects> ${records_asm})
  gauge_module_properties(${target}_records ${GM_OUTPUT_NAME} ${GM_EXPORTS} ${CMAKE_BINARY_DIR}/records)

  # The pictures, drawn through the records build.
  set(art_dir ${CMAKE_BINARY_DIR}/art/${GM_ART_MODULE})
  add_custom_command(OUTPUT ${art_dir}/manifest.txt ${art_dir}/contact_sheet.png
    COMMAND ${CMAKE_COMMAND} -E env LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0
            $<TARGET_FILE:gauge_art> --records $<TARGET_FILE:${target}_records> --module ${GM_ART_MODULE} --out ${art_dir}
    DEPENDS gauge_art ${target}_records
    COMMENT "Drawing ${GM_OUTPUT_NAME} bitmaps")

  set(pack ${CMAKE_CURRENT_BINARY_DIR}/${target}.pack)
  add_custom_command(OUTPUT ${pack}
    COMMAND respack -o ${pack} ${GM_RESOURCE_MANIFEST} ${art_dir}/manifest.txt
    DEPENDS respack ${GM_RESOURCE_MANIFEST} ${GM_RESOURCE_DEPENDS} ${art_dir}/manifest.txt
    COMMENT "Packing ${GM_OUTPUT_NAME} resources")
  gauge_resource_asm(module_asm ${target} ${pack})
  add_library(${target} MODULE $<TARGET_OBJECTS:${target}_objects> ${module_asm})
  gauge_module_properties(${target} ${GM_OUTPUT_NAME} ${GM_EXPORTS} ${CMAKE_BINARY_DIR}/modules)
  set_property(TARGET ${target} PROPERTY GAUGE_RECORDS_PACK ${records_pack})
endfunction()
