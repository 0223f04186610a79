tavrin_benchmark(image_readers LIBS tavrin_medialib Qt6::Gui)
