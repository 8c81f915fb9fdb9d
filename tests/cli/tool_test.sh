#!/usr/bin/env bash
# velmora-cli tool: the engineering tools over their dialogs' presenters; exit status 0 / 1 / 2.
set -u
cli=$1
failures=0
expect() {  # expect STATUS PATTERN -- ARGS...
  local want=$1 pattern=$2; shift 3
  local out status
  out=$("$cli" tool "$@" 2>&1); status=$?
  if [ "$status" -ne "$want" ] || ! grep -Eq -- "$pattern" <<<"$out"; then
    echo "FAIL: tool $* -> status $status (want $want), output:"; echo "$out"; failures=$((failures + 1))
  fi
}
# Rectangle 2 m × 1 m, 0.1 %, kSt 60: v = 60 · 0.5^(2/3) · √0.001 = 1.195 m/s, Q = 2.391 m³/s.
expect 0 '^velocity: 1\.195$' -- channel slope=2 z1=0.1 dim1=2 dim2=1 strickler=60
expect 0 '^flow: 2,391$' -- channel slope=2 z1=0,1 dim1=2 dim2=1 strickler=60 --edition=D
expect 1 'Angle in degrees' -- channel shape=3 dim1=1 dim2=90 z1=1 z2=0 length=100 strickler=60
expect 1 'z1 in meter' -- channel z2=1 length=100 dim1=2 dim2=1 strickler=60
# Q = 1 m³/s, I = 0.001, kSt = 60: the best rectangle has H = 0.721 m.
expect 0 '^second: 0\.721$' -- channel-design flow=1 slope=2 z1=0.1 strickler=60
expect 0 '^first: 1\.020$' -- channel-design shape=3 flow=1 slope=2 z1=0.1 strickler=60
# A = 0.01 m², H = 2 m, μ = 0.6, 1 bar over water: 0.0928 m³/s.
expect 0 '^flow: 0\.0928$' -- outflow pressure=1 entry1=0.01 entry2=2 entry3=1 density=1000 mu=0.6 --decimals=4
expect 0 '^time: 426 s = 7\.1 Min\.$' -- emptying vessel=1 opening=50 height=2 mu=0.6
expect 0 '^bore: Bore diameter D2 = 22\.595 mm$' -- orifice flow=10 density=998.2 viscosity=1002 pipe=50 loss=0.5
expect 1 'No bore diameter' -- orifice kind=2 flow=10 density=998.2 viscosity=1002 pipe=50 second=500 loss=0.00001
expect 0 '^zeta: 135\.2$' -- cv cv=10 diameter=50 --decimals=1
expect 0 '^head: 10\.2 m$' -- head loss=1 density=998.2
expect 0 '^flow: 28\.27 m³/h$' -- velocity-to-flow velocity=1 diameter=100
expect 0 '^velocity: 1\.00 m/s$' -- flow-to-velocity flow=28.27 diameter=100
expect 0 'DN 40 ==> Velocity 2\.21 m/s' -- nominal-liquid flow=10
expect 0 '1\.50 in\. ==> Velocity 7\.99 ft\./s' -- nominal-liquid flow=10 listing=US
expect 2 'no key' -- channel colour=red
expect 2 'no item' -- channel unit=yards
expect 2 'unknown tool' -- pump
expect 0 'channel-design' -- --help
if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
