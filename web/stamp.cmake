# The page's own files, stamped with its build: a digest of the game's files and of the
# page's sources, which names the cache the page is kept in for playing offline.
#   cmake -DSOURCE=<web folder> -DPAGE=<page folder> -P stamp.cmake
set(digests "")
foreach(file ${PAGE}/quorvane.js ${PAGE}/quorvane.wasm ${PAGE}/quorvane.data ${PAGE}/icon.png
             ${SOURCE}/index.html ${SOURCE}/page.js ${SOURCE}/sw.js ${SOURCE}/manifest.webmanifest)
  file(SHA256 ${file} digest)
  string(APPEND digests ${digest})
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 VERSION)
foreach(name index.html page.js sw.js)
  configure_file(${SOURCE}/${name} ${PAGE}/${name} @ONLY)
endforeach()
configure_file(${SOURCE}/manifest.webmanifest ${PAGE}/manifest.webmanifest COPYONLY)
