# No ini beside the launcher reads as an empty configuration: the main
# class is missing.
EXPECTED_STDOUT=$'Error: Main class was not specified in INI file. \n'
EXPECTED_EXIT=255
