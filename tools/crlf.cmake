# Copies a text file, writing every line end as CR LF (the help window shows the
# file unchanged, and Windows edit controls break lines only at CR LF):
#   cmake -DTEXT_IN=<file> -DTEXT_OUT=<file> -P crlf.cmake
file(READ "${TEXT_IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${TEXT_OUT}" "${text}")
