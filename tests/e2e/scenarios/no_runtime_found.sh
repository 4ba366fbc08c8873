# An ordinary start in a folder with a configuration: no runtime is found
# and nobody can be asked, so the launch ends with -1 and prints nothing.
INI=$'[Application]\nMain Class=example.Hello\n'
ARGS=(a "b c")
EXPECTED_STDOUT=""
EXPECTED_EXIT=255
