# Run by CPack after it built the package, which is then built again with two changes. CPack has every
# package with a library under /usr/lib call ldconfig when it is installed and removed; ours is the
# program's own sound module, loaded by its path, which ldconfig never looks at, so those maintainer scripts
# go. And CPack's strip keeps the compiler's notes, which Debian's own strip step removes.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)

  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${tree} ${tree}/usr/*)
  list(SORT files)
  set(md5sums "")
  foreach(path IN LISTS files)
    if(NOT IS_SYMLINK ${tree}/${path})
      file(READ ${tree}/${path} magic LIMIT 4 HEX)
      if(magic STREQUAL "7f454c46")
        execute_process(COMMAND objcopy --remove-section=.comment ${tree}/${path} COMMAND_ERROR_IS_FATAL ANY)
      endif()
      file(MD5 ${tree}/${path} md5)
      string(APPEND md5sums "${md5}  ${path}\n")
    endif()
  endforeach()
  file(WRITE ${tree}/DEBIAN/md5sums "${md5sums}")

  execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${deb} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
