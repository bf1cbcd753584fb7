# Opening a chart through the shell, off screen: the chart window, its load
# with the "Loading Data" window, and the same without the window.
if(TARGET KordexShell AND TARGET SampleData)
  tavro_benchmark(KordexShellBench LIBS KordexShell SampleData Qt6::Core)
endif()
