tavrin_benchmark(mci_open LIBS tavrin_mci)
