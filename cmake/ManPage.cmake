# Writes cheqbook-cli's manual page from what the program itself says, so
# that the page cannot drift from the program: the commands are those
# 'cheqbook-cli --help' lists, and each one's text is its 'COMMAND --help'.
#
#   cmake -DCLI=path/to/cheqbook-cli -DVERSION=0.1 -DOUT=cheqbook-cli.1 -P ManPage.cmake
#
# Writes OUT and OUT.gz (gzip -9n, as Debian installs manual pages).

foreach(var CLI VERSION OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ManPage.cmake needs -D${var}=...")
  endif()
endforeach()

function(run_cli out)
  execute_process(COMMAND "${CLI}" ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "'cheqbook-cli ${ARGN}' failed (${status})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text as roff reads it: a backslash stays a backslash, a line cannot start a
# request, and an option's dash is a minus sign (so that it can be searched
# for and copied).
function(roff_text out text)
  # CMake's ^ matches wherever a search resumes, so lines are found by the
  # newline before them instead.
  set(text "\n${text}")
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "([ \n[(|])--" "\\1\\\\-\\\\-" text "${text}")
  string(REGEX REPLACE "([ \n[(|])-" "\\1\\\\-" text "${text}")
  string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" text "${text}")
  string(SUBSTRING "${text}" 1 -1 text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A synopsis with the command in bold and the words to replace in italics.
function(roff_synopsis out synopsis)
  roff_text(s "${synopsis}")
  string(REGEX REPLACE "([A-Z][A-Z.a-z]*[A-Z])" "\\\\fI\\1\\\\fR" s "${s}")
  string(REGEX REPLACE "^([a-z]+) " "\\\\fB\\1\\\\fR " s "${s}")
  set(${out} "\\fBcheqbook\\-cli\\fR ${s}" PARENT_SCOPE)
endfunction()

run_cli(usage --help)
string(REGEX MATCHALL "\n  [a-z][^\n]*" lines "${usage}")
if(NOT lines)
  message(FATAL_ERROR "'cheqbook-cli --help' lists no commands")
endif()

set(synopses "")
set(commands "")
foreach(line IN LISTS lines)
  string(STRIP "${line}" synopsis)
  string(REGEX MATCH "^[a-z]+" name "${synopsis}")
  roff_synopsis(s "${synopsis}")
  string(APPEND synopses "${s}\n.br\n")
  run_cli(help ${name} --help)
  # The first line repeats the synopsis; the rest is the description.
  string(FIND "${help}" "\n" end)
  string(SUBSTRING "${help}" ${end} -1 help)
  string(STRIP "${help}" help)
  roff_text(help "${help}")
  string(APPEND commands ".TP\n${s}\n${help}\n")
endforeach()

file(WRITE "${OUT}" ".\\\" Written by the build from cheqbook-cli --help; do not edit.
.TH CHEQBOOK\\-CLI 1 \"\" \"Cheqbook ${VERSION}\" \"User Commands\"
.SH NAME
cheqbook\\-cli \\- work on Cheqbook's register files from a shell
.SH SYNOPSIS
${synopses}\\fBcheqbook\\-cli\\fR \\fICOMMAND\\fR \\fB\\-\\-help\\fR
.SH DESCRIPTION
.B cheqbook\\-cli
reads and writes the register files (\\fI.ldgr\\fR) of Cheqbook, the checkbook register for the desktop,
with the same rules as the program's windows: the same running balances, the same printed report,
the same statement import and the same new year's register.
.SH COMMANDS
${commands}.SH EXIT STATUS
0 when the command did its work; 1 when it could not (the reason goes to standard error as one line naming
the file and what is wrong); 2 when the command line is wrong.
")
execute_process(COMMAND gzip -9nc "${OUT}" OUTPUT_FILE "${OUT}.gz" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed (${status})")
endif()
