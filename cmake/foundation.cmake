# The foundation: objects, pools, arrays, strings, threads, streams, files, paths and time,
# and the non-window part of the platform layer.
veritome_library(s_foundation
  DIRS src/base/** src/comp/** src/cleaner/** src/col/** src/str/** src/thread/** src/io/**
       src/file src/file/win/** src/time/** src/platform
  LIBS)
veritome_test(foundation_tests
  DIRS tests/base/** tests/comp/** tests/cleaner/** tests/col/** tests/str/** tests/thread/**
       tests/io/** tests/file tests/file/win/** tests/time/** tests/platform
  LIBS s_foundation)
# StrBuffer::digest (StrBufferDigest.cpp) uses MD5 from the digest library, which itself
# builds on the foundation: programs that call it link s_digest after s_foundation.
target_link_libraries(foundation_tests PRIVATE s_digest)
veritome_bench(foundation_bench SOURCES bench/foundation.cpp LIBS s_foundation)
