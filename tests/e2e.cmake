# End-to-end scenarios: each file under e2e/scenarios is one case, run
# against this build's launcher in a folder of its own.
file(GLOB TARN_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/scenarios/*.sh)
foreach(scenario IN LISTS TARN_SCENARIOS)
  get_filename_component(name ${scenario} NAME_WE)
  tarn_add_program_test(e2e.${name}
    bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run-scenario.sh ${scenario} $<TARGET_FILE:tarn> ${TARN_RUNNER})
endforeach()
