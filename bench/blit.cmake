tavrin_benchmark(blit LIBS tavrin_medialib)
