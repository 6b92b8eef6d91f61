# Ball arithmetic (Arb) on exact integer polynomials (FLINT), which the tests and the sweep use
# to certify the solvers' roots and discs. Only the tests and benchmarks depend on it.
if(NOT TARGET quillet_certified_roots)
  find_path(ARB_INCLUDE_DIR acb_poly.h REQUIRED)
  find_path(FLINT_INCLUDE_DIR flint/fmpz_poly.h REQUIRED)
  # Debian names Arb's library flint-arb; elsewhere it is arb.
  find_library(ARB_LIBRARY NAMES flint-arb arb REQUIRED)
  find_library(FLINT_LIBRARY flint REQUIRED)
  find_library(MPFR_LIBRARY mpfr REQUIRED)
  find_library(GMP_LIBRARY gmp REQUIRED)
  add_library(quillet_certified_roots INTERFACE)
  target_include_directories(quillet_certified_roots SYSTEM INTERFACE
    ${ARB_INCLUDE_DIR} ${FLINT_INCLUDE_DIR} ${FLINT_INCLUDE_DIR}/flint)
  target_link_libraries(quillet_certified_roots INTERFACE
    ${ARB_LIBRARY} ${FLINT_LIBRARY} ${MPFR_LIBRARY} ${GMP_LIBRARY})
endif()
