# Loading a year of one line into a chart, each measure by each grouping,
# beside a plain read of the same files.
if(TARGET KordexLoad AND TARGET SampleData)
  tavro_benchmark(KordexLoadBench LIBS KordexLoad SampleData)
endif()
