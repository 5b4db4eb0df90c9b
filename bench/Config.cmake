# Reading the main configuration and resolving its keys, against reading the
# same file line by line into a hash map and answering each key from it.
frelmory_add_bench(NAME config_bench SOURCES config/ConfigBench.cpp LIBS core)
