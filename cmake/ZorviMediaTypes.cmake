# The one list of media the player takes: each row is kind:type:extensions,
# the kind video or audio, the type the desktop's media type ("-" for names
# that have none of their own). The desktop entry and the metainfo offer the
# types to file managers, the bus service reports them, and the program
# (playlist/MediaTypes.cpp, generated from this list) builds the open
# dialog's filters and picks folder files by the extensions.
set(ZORVI_MEDIA_TYPES
  video:video/x-msvideo:avi
  video:video/x-ogm+ogg:ogm
  video:video/mpeg:mpeg,mpg,mpe,vob
  video:video/x-matroska:mkv
  video:video/webm:webm
  video:video/mp2t:ts,m2ts,mts
  video:video/x-ms-wmv:wmv
  video:video/x-ms-asf:asf
  video:audio/x-ms-asx:asx
  video:video/quicktime:mov,qt
  video:video/mp4:mp4
  video:video/x-m4v:m4v
  video:video/3gpp:3gp
  video:application/vnd.rn-realmedia:rm,rmvb
  video:video/x-flv:flv
  video:video/dv:dv
  video:video/ogg:ogv
  video:-:divx,dat,ifo,264,26l,jsv
  audio:audio/mpeg:mp3,mp1,mpa,mpga
  audio:audio/x-wav:wav
  audio:audio/ogg:ogg,oga
  audio:audio/x-opus+ogg:opus
  audio:audio/flac:flac
  audio:audio/x-ms-wma:wma
  audio:audio/mp2:mp2
  audio:audio/ac3:ac3
  audio:audio/mp4:m4a
  audio:audio/aac:aac
  audio:audio/x-matroska:mka
  audio:audio/midi:mid,midi
  audio:audio/x-ape:ape)

# The rows split: ZORVI_MIME_TYPES (every type once, in order) and the
# extensions of each kind, ZORVI_VIDEO_EXTENSIONS and ZORVI_AUDIO_EXTENSIONS.
set(ZORVI_MIME_TYPES)
set(ZORVI_VIDEO_EXTENSIONS)
set(ZORVI_AUDIO_EXTENSIONS)
foreach(row ${ZORVI_MEDIA_TYPES})
  string(REPLACE ":" ";" fields "${row}")
  list(GET fields 0 kind)
  list(GET fields 1 type)
  list(GET fields 2 extensions)
  string(REPLACE "," ";" extensions "${extensions}")
  if(NOT type STREQUAL "-")
    list(APPEND ZORVI_MIME_TYPES ${type})
  endif()
  if(kind STREQUAL "video")
    list(APPEND ZORVI_VIDEO_EXTENSIONS ${extensions})
  elseif(kind STREQUAL "audio")
    list(APPEND ZORVI_AUDIO_EXTENSIONS ${extensions})
  else()
    message(FATAL_ERROR "ZorviMediaTypes: '${row}' is neither video nor audio")
  endif()
endforeach()
list(REMOVE_DUPLICATES ZORVI_MIME_TYPES)

# What a URL handed to the player may start with.
set(ZORVI_URI_SCHEMES file http https ftp mms rtsp dvd)
