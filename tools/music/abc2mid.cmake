# Turns one carol source into a Standard MIDI File:
#   cmake -DABC2MIDI=<abc2midi> -DABC_FILE=<carolNN.abc> -DMIDI_FILE=<midiN.mid> -P abc2mid.cmake
# abc2midi exits 0 even when it reports a bar of the wrong length or voices that
# drift apart, so its output is read and any "Warning" or "Error" fails the build.
foreach(var ABC2MIDI ABC_FILE MIDI_FILE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "abc2mid.cmake: -D${var}=... is required")
  endif()
endforeach()

get_filename_component(out_dir "${MIDI_FILE}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
set(tmp "${MIDI_FILE}.tmp")
file(REMOVE "${tmp}")

execute_process(
  COMMAND "${ABC2MIDI}" "${ABC_FILE}" -o "${tmp}"
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out
  RESULT_VARIABLE rc)

string(REGEX MATCHALL "[^\n]*(Warning|Error)[^\n]*" problems "${out}")
if(NOT rc EQUAL 0 OR problems OR NOT EXISTS "${tmp}")
  file(REMOVE "${tmp}")
  string(REPLACE ";" "\n  " problems "${problems}")
  message(FATAL_ERROR "abc2midi rejected ${ABC_FILE} (exit ${rc}):\n  ${problems}\n${out}")
endif()

# Renamed only when clean, so a failed build never leaves a half-good carol behind.
file(RENAME "${tmp}" "${MIDI_FILE}")
