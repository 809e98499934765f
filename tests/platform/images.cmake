# Tests of the picture layer: bitmaps, decoding, pictures, drawing, picture queries.
target_sources(fotino_tests PRIVATE
  platform/ImageTestSupport.h
  platform/BitmapImageRepTest.cpp
  platform/GraphicsContextTest.cpp
  platform/ImageDecoderTest.cpp
  platform/ImageTest.cpp
  imaging/CustomComposeTest.cpp
)
