# Loading the shipped block font through the DMF model loader, against a plain
# read of the same file split at ';'.
frelmory_add_bench(NAME model_bench SOURCES model/ModelBench.cpp LIBS render_model)
