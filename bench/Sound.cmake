# Decoding every shipped sound as the sound back end does, against plain
# vorbisfile, DUMB and file reads of the same files.
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
frelmory_add_bench(NAME sound_bench SOURCES sound/SoundBench.cpp
  LIBS sound PkgConfig::BENCH_VORBISFILE ${DUMB_LIBRARY})
if(TARGET sound_bench)
  target_include_directories(sound_bench PRIVATE ${DUMB_INCLUDE_DIR})
endif()
