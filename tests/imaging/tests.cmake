target_sources(fotino_tests PRIVATE
  imaging/LookupTablesTest.cpp
  imaging/PixelLoopsTest.cpp
  imaging/FiltersTest.cpp
  imaging/ImageOptionsTest.cpp
)
