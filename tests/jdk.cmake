# The machine's JDK, found from javac: its headers hold the published JNI
# declarations, and its VM runs the host build's Java tests. Empty when the
# machine has none; the tests that need it are then left out or skipped.
find_program(TARN_JAVAC javac)
set(TARN_JDK_HOME "")
if(TARN_JAVAC)
  file(REAL_PATH ${TARN_JAVAC} javac_real)
  get_filename_component(javac_folder ${javac_real} DIRECTORY)
  get_filename_component(TARN_JDK_HOME ${javac_folder} DIRECTORY)
  if(NOT EXISTS ${TARN_JDK_HOME}/lib/server/libjvm.so OR NOT EXISTS ${TARN_JDK_HOME}/include/jni.h)
    set(TARN_JDK_HOME "")
  endif()
endif()
