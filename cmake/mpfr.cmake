# MPFR (with GMP), the exact reference of the maths checks. Optional: where it
# is missing (the Windows build has none) the checks that need it are left out.
# When found, numoria_maths_reference holds the reference and the generators
# of hard arguments from tests/maths.
if(NOT TARGET numoria_maths_reference)
  find_path(MPFR_INCLUDE_DIR mpfr.h)
  find_library(MPFR_LIBRARY mpfr)
  find_library(GMP_LIBRARY gmp)
  if(MPFR_INCLUDE_DIR AND MPFR_LIBRARY AND GMP_LIBRARY)
    set(maths_tests ${PROJECT_SOURCE_DIR}/tests/maths)
    add_library(numoria_maths_reference STATIC
      ${maths_tests}/mpfr_reference.cpp
      ${maths_tests}/hard_arguments.cpp
      ${maths_tests}/reduction_worst_cases.cpp)
    target_include_directories(numoria_maths_reference PUBLIC ${PROJECT_SOURCE_DIR} ${MPFR_INCLUDE_DIR})
    target_link_libraries(numoria_maths_reference PUBLIC numoria_core ${MPFR_LIBRARY} ${GMP_LIBRARY})
    numoria_set_warnings(numoria_maths_reference)
  endif()
endif()
