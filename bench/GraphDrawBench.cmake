# Drawing whole charts on the graph's canvas, beside the bare lines of as many
# points.
if(TAVRO_BUILD_GUI)
  tavro_benchmark(GraphDrawBench LIBS DravexRender)
endif()
