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
