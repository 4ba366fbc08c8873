# End-to-end scenarios: each file under e2e/scenarios is one case, run
# against this build's launcher in a folder of its own. Scenarios with an
# embedded configuration are packed by this build's packer and, on the
# Windows builds, once more by the host build's packer. TARN_E2E_ENVIRONMENT
# names what the scenarios' runtimes and classes are made from (see
# run-scenario.sh); the parts of tests/ that build them add to it.
file(GLOB TARN_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/scenarios/*.sh)
set(TARN_SCENARIO_PACKER "${TARN_RUNNER} $<TARGET_FILE:tarn-pack>")
foreach(scenario IN LISTS TARN_SCENARIOS)
  get_filename_component(name ${scenario} NAME_WE)
  set(command bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run-scenario.sh ${scenario} $<TARGET_FILE:tarn> ${TARN_RUNNER})
  tarn_add_program_test(e2e.${name} ${command})
  set_property(TEST e2e.${name} APPEND PROPERTY ENVIRONMENT "TARN_PACKER=${TARN_SCENARIO_PACKER}" ${TARN_E2E_ENVIRONMENT})
  file(STRINGS ${scenario} embedded REGEX "^EMBEDDED=")
  if(WIN32 AND embedded)
    tarn_add_program_test(e2e.host_packed.${name} ${command})
    set_property(TEST e2e.host_packed.${name} APPEND PROPERTY ENVIRONMENT "TARN_PACKER=${TARN_HOST_PACKER}" ${TARN_E2E_ENVIRONMENT})
  endif()
endforeach()
