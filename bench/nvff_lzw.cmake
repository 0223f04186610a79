tavrin_benchmark(nvff_lzw LIBS tavrin_medialib)
