# Filling a graph point by point, by appending and by incrementing.
if(TAVRO_BUILD_GUI)
  tavro_benchmark(GraphEntryBench LIBS DravexRender)
endif()
