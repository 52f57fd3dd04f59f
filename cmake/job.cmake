# The hash job, the file facts and the digester feeding.
veritome_library(s_job
  DIRS src/file/gui/dialogs/filehash/**
  EXCLUDE "/filehash/Dialog[A-Za-z]*\\.cpp$"
  LIBS s_digest s_foundation)
veritome_test(job_tests
  DIRS tests/file/gui/dialogs/filehash/**
  LIBS s_job)
