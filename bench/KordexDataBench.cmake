# Reading a year of one line's machine summary files, beside a plain read of
# the same bytes.
if(TARGET KordexData AND TARGET SampleData)
  tavro_benchmark(KordexDataBench LIBS KordexData SampleData MAIN)
endif()
