# The digest library: the digester interface and the twelve hash and checksum algorithms.
# ISA-L gives the vectorised CRC-32 and Adler-32; libcrypto and zlib are the tests' references.
pkg_check_modules(DIGEST_ISAL REQUIRED IMPORTED_TARGET libisal)
veritome_library(s_digest DIRS src/digest/** LIBS s_foundation PkgConfig::DIGEST_ISAL)

pkg_check_modules(DIGEST_REFERENCES REQUIRED IMPORTED_TARGET libcrypto zlib)
veritome_test(digest_tests DIRS tests/digest/** LIBS s_digest PkgConfig::DIGEST_REFERENCES)

# nettle (MD2, GOST) and libmhash (RIPEMD-128, GOST) are benchmark peers; when present the tests
# also check those three algorithms against them.
pkg_check_modules(DIGEST_NETTLE IMPORTED_TARGET nettle)
find_library(DIGEST_MHASH mhash)
if(DIGEST_NETTLE_FOUND AND DIGEST_MHASH)
  target_link_libraries(digest_tests PRIVATE PkgConfig::DIGEST_NETTLE ${DIGEST_MHASH})
  target_compile_definitions(digest_tests PRIVATE VERITOME_DIGEST_PEERS=1)
endif()

veritome_bench(digests SOURCES bench/digests.cpp LIBS s_digest PkgConfig::DIGEST_REFERENCES)
if(VERITOME_BENCH)
  # Hashes a file the way the hash job reads it; bench/peers.sh runs it against other tools.
  add_executable(digestfile bench/digestfile.cpp)
  target_link_libraries(digestfile PRIVATE s_digest)
  set_target_properties(digestfile PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endif()
