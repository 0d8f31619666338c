# Warnings are errors in every build; applied per target so third-party code keeps its own flags.
function(vx_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Every source file below a folder, so that adding a file needs no edit here.
function(vx_sources out dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c)
  set(${out} ${found} PARENT_SCOPE)
endfunction()
