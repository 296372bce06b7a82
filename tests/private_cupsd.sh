#!/usr/bin/env bash
# A print service of the tests' own: cupsd on a socket in DIR, with a PDF
# queue as its default that keeps every document it is sent.
#   private_cupsd.sh start DIR   prints the socket path; exits 77 when cupsd
#                                cannot start here
#   private_cupsd.sh nodefault DIR   removes the default queue
#   private_cupsd.sh stop DIR
set -u
cmd=$1
dir=$2
sock=$dir/cups.sock
case "$cmd" in
start)
  command -v cupsd >/dev/null && command -v lpadmin >/dev/null || exit 77
  mkdir -p "$dir"/{spool,cache,state,log,tmp,run,ppd}
  cat >"$dir/cups-files.conf" <<EOT
ServerRoot $dir
StateDir $dir/state
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root lpadmin
FileDevice No
EOT
  cat >"$dir/cupsd.conf" <<EOT
Listen $sock
Browsing No
WebInterface No
PreserveJobFiles Yes
PreserveJobHistory Yes
MaxJobs 0
<Policy default>
<Limit All>
Order allow,deny
Allow all
</Limit>
</Policy>
<Location />
Order allow,deny
Allow all
</Location>
EOT
  cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  for _ in $(seq 100); do
    [ -S "$sock" ] && lpstat -h "$sock" -r >/dev/null 2>&1 && break
    sleep 0.05
  done
  lpstat -h "$sock" -r >/dev/null 2>&1 || exit 77
  # The queue holds its jobs (the tests read the documents from the spool).
  lpadmin -h "$sock" -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
    -o TitlePref=1 >"$dir/log/lpadmin.out" 2>&1 \
    || lpadmin -h "$sock" -p PDF -E -v cups-pdf:/ >>"$dir/log/lpadmin.out" 2>&1 || exit 77
  cupsdisable -h "$sock" PDF >/dev/null 2>&1
  lpadmin -h "$sock" -d PDF >/dev/null 2>&1 || exit 77
  echo "$sock"
  ;;
nodefault)
  lpadmin -h "$sock" -x PDF >/dev/null 2>&1
  ;;
stop)
  [ -f "$dir/cupsd.pid" ] && kill -TERM "$(cat "$dir/cupsd.pid")" 2>/dev/null
  ;;
esac
exit 0
