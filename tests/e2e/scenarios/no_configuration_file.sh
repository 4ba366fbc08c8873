# A launcher without any ini beside it ends with -1 and prints nothing.
EXPECTED_STDOUT=""
EXPECTED_EXIT=255
