# Decoding the shipped music: the game decodes every sound whole at start-up.
if(benchmark_FOUND)
  frelmory_add_bench(NAME sound_bench SOURCES sound/SoundBench.cpp LIBS sound benchmark::benchmark)
endif()
