# Lays the files the program keeps beside its executable, never overwriting
# one that is already there (the user's own password must survive a rebuild).
#   cmake -DPROGRAM_DIR=<folder> -P install_files.cmake

# The password file with the initial password "brughieravolpe", stored the way
# the program stores every password: trimmed, upper-cased and enciphered.
set(password_file "${PROGRAM_DIR}/unins000.dll")
if(NOT EXISTS "${password_file}")
  file(WRITE "${password_file}" "[Accesso]\r\nValore=618737DDC996F98544C1642B7C06\r\n")
endif()
