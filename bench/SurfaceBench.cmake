# Drawing a large chart's worth of calls on the image and recording surfaces.
if(TAVRO_BUILD_GUI)
  tavro_benchmark(SurfaceBench LIBS TavroPlatformGui Qt6::Gui)
endif()
